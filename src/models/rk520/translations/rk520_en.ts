<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Rk520Form</name>
    <message>
        <source>整机设置</source>
        <translation>Radio settings</translation>
    </message>
    <message>
        <source>频  段</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>频段</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>TOT限时</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>扫描设置</source>
        <translation>Scan groups</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>A组</source>
        <translation>Group A</translation>
    </message>
    <message>
        <source>B组</source>
        <translation>Group B</translation>
    </message>
    <message>
        <source>扫描设置 A组</source>
        <translation>Scan group A</translation>
    </message>
    <message>
        <source>扫描设置 B组</source>
        <translation>Scan group B</translation>
    </message>
    <message>
        <source>已设置频道</source>
        <translation>Programmed</translation>
    </message>
    <message>
        <source>频道选择</source>
        <translation>Select channel</translation>
    </message>
    <message>
        <source>功能设置</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>密话</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>倒频</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>脱网</source>
        <translation>Talkaround</translation>
    </message>
    <message>
        <source>中继及延时</source>
        <translation>Repeater and delay</translation>
    </message>
    <message>
        <source>中继及延时 秒</source>
        <translation>Repeater delay in seconds</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>禁发</source>
        <translation>TX inhibit</translation>
    </message>
    <message>
        <source>拍频偏移</source>
        <translation>Beat shift</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>频    率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>接收 频率</source>
        <translation>Receive frequency</translation>
    </message>
    <message>
        <source>静噪等级</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>级</source>
        <translation>(0-9)</translation>
    </message>
    <message>
        <source>编码类型</source>
        <translation>Code type</translation>
    </message>
    <message>
        <source>(QT/DQT)</source>
        <translation>(CTCSS/DCS)</translation>
    </message>
    <message>
        <source>接收 编码类型</source>
        <translation>Receive code type</translation>
    </message>
    <message>
        <source>编码表</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>接收 编码表</source>
        <translation>Receive codes</translation>
    </message>
    <message>
        <source>复制到==&gt;</source>
        <translation>Copy ==&gt;</translation>
    </message>
    <message>
        <source>复制到&lt;==</source>
        <translation>Copy &lt;==</translation>
    </message>
    <message>
        <source>发射</source>
        <translation>Transmit</translation>
    </message>
    <message>
        <source>频   率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>发射 频率</source>
        <translation>Transmit frequency</translation>
    </message>
    <message>
        <source>功率选择</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>发射 编码类型</source>
        <translation>Transmit code type</translation>
    </message>
    <message>
        <source>发射 编码表</source>
        <translation>Transmit codes</translation>
    </message>
</context>
<context>
    <name>rk520</name>
    <message>
        <source>同频不能设置中继、脱网、倒频功能</source>
        <translation>Repeater, talkaround and reverse need different receive and transmit frequencies.</translation>
    </message>
    <message>
        <source>接收频率与发射频率的差值必须小于等于10MHz</source>
        <translation>Receive and transmit frequencies may differ by at most 10 MHz.</translation>
    </message>
    <message>
        <source>频段值必须在100MHz－480MHz内，以1MHz递增</source>
        <translation>The band must lie within 100–480 MHz, in steps of 1 MHz.</translation>
    </message>
    <message>
        <source>接收频率值超出频段范围</source>
        <translation>The receive frequency is outside the band.</translation>
    </message>
    <message>
        <source>发射频率值超出频段范围</source>
        <translation>The transmit frequency is outside the band.</translation>
    </message>
    <message>
        <source>接收频率值必须是6.25KHz或5KHz的整数倍</source>
        <translation>The receive frequency must be a multiple of 6.25 kHz or 5 kHz.</translation>
    </message>
    <message>
        <source>发射频率值必须是6.25KHz或5KHz的整数倍</source>
        <translation>The transmit frequency must be a multiple of 6.25 kHz or 5 kHz.</translation>
    </message>
    <message>
        <source>发射限时必须大于等于0.1，小于等于10</source>
        <translation>The time-out timer must be from 0.1 to 10 minutes.</translation>
    </message>
    <message>
        <source>中继时延必须小于等于10</source>
        <translation>The repeater delay must not exceed 10 seconds.</translation>
    </message>
    <message>
        <source>创建通信失败</source>
        <translation>Cannot open the connection to the radio.</translation>
    </message>
    <message>
        <source>建立通信文件失败</source>
        <translation>Cannot open the communication port.</translation>
    </message>
    <message>
        <source>请检查COM口至对讲机的连接及其设置</source>
        <translation>Check the cable from the COM port to the radio, and the port settings.</translation>
    </message>
    <message>
        <source>数据已从对讲机中读出</source>
        <translation>The data has been read from the radio.</translation>
    </message>
    <message>
        <source>数据已写入对讲机</source>
        <translation>The data has been written to the radio.</translation>
    </message>
    <message>
        <source>对讲机返回的数据不完整</source>
        <translation>The data returned by the radio is incomplete.</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>串口选择(&amp;S)</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>操作选择(&amp;O)</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>写入对讲机</source>
        <translation>Write to Radio</translation>
    </message>
    <message>
        <source>对讲机读出</source>
        <translation>Read from Radio</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于 rk520(&amp;A)...</source>
        <translation>&amp;About rk520...</translation>
    </message>
    <message>
        <source>语言(Language)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>English</translation>
    </message>
    <message>
        <source>建立新文档</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开一个现有文档</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存活动文档</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>将活动文档以一个新文件名保存</source>
        <translation>Save the active document with a new name</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>退出应用程序；提示保存文档</source>
        <translation>Quit the application; prompts to save the document</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>显隐工具栏</source>
        <translation>Toggle Toolbar</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>显隐状态栏</source>
        <translation>Toggle Status Bar</translation>
    </message>
    <message>
        <source>选择计算机COM1口写频</source>
        <translation>Program the radio through the computer&apos;s COM1 port</translation>
    </message>
    <message>
        <source>选择计算机COM2口写频</source>
        <translation>Program the radio through the computer&apos;s COM2 port</translation>
    </message>
    <message>
        <source>将数据写入对讲机</source>
        <translation>Write the data to the radio</translation>
    </message>
    <message>
        <source>将数据从对讲机中读出</source>
        <translation>Read the data from the radio</translation>
    </message>
    <message>
        <source>界面语言切换为%1</source>
        <translation>Switch the interface to %1</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>关于 rk520</source>
        <translation>About rk520</translation>
    </message>
    <message>
        <source>rk520 1.0 版</source>
        <translation>rk520 Version 1.0</translation>
    </message>
    <message>
        <source>版权所有 (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>无标题</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>无法打开文件“%1”。</source>
        <translation>Cannot open the file “%1”.</translation>
    </message>
    <message>
        <source>文件“%1”的格式不正确，无法打开。</source>
        <translation>The file “%1” is not in the expected format and cannot be opened.</translation>
    </message>
    <message>
        <source>无法写入文件“%1”。</source>
        <translation>Cannot write the file “%1”.</translation>
    </message>
    <message>
        <source>是否保存对“%1”的更改？</source>
        <translation>Save changes to “%1”?</translation>
    </message>
    <message>
        <source>正在写入对讲机，现在退出会使对讲机中的数据不完整。仍要退出吗？</source>
        <translation>The radio is being written. Quitting now leaves incomplete data in the radio. Quit anyway?</translation>
    </message>
    <message>
        <source>TalvoraRKP_520P写频软件</source>
        <translation>Talvora RKP_520P Programming Software</translation>
    </message>
    <message>
        <source>Rk520 文件 (*.rkd)</source>
        <translation>Rk520 Files (*.rkd)</translation>
    </message>
    <message>
        <source>%1频道</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>QT</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DQT</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>有</source>
        <translation>On</translation>
    </message>
    <message>
        <source>大功率</source>
        <translation>High</translation>
    </message>
    <message>
        <source>小功率</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>请输入一个数字。</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>导出频道表(CSV)…</source>
        <translation>Export Channels (CSV)...</translation>
    </message>
    <message>
        <source>导入频道表(CSV)…</source>
        <translation>Import Channels (CSV)...</translation>
    </message>
    <message>
        <source>将已设置的频道保存为CSV频道表</source>
        <translation>Save the programmed channels as a CSV channel table</translation>
    </message>
    <message>
        <source>导出频道表</source>
        <translation>Export channels</translation>
    </message>
    <message>
        <source>从CSV频道表读入频道</source>
        <translation>Load channels from a CSV channel table</translation>
    </message>
    <message>
        <source>导入频道表</source>
        <translation>Import channels</translation>
    </message>
    <message>
        <source>频道表 (*.csv)</source>
        <translation>Channel tables (*.csv)</translation>
    </message>
    <message>
        <source>频道表，分号分隔、小数逗号 (*.csv)</source>
        <translation>Channel tables with semicolons and decimal commas (*.csv)</translation>
    </message>
    <message>
        <source>第%1行，%2列：%3</source>
        <translation>Row %1, column %2: %3</translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>……另有%1个问题</source>
        <translation>...and %1 more problems</translation>
    </message>
    <message>
        <source>是否导入其余%1个有效的行？</source>
        <translation>Import the other %1 valid rows?</translation>
    </message>
    <message>
        <source>频道表中没有可导入的行。</source>
        <translation>The table has no rows that can be imported.</translation>
    </message>
    <message>
        <source>以下频道的编码不在编码表中，导出时未包含该编码：%1</source>
        <translation>These channels have codes the radio&apos;s tables lack; the codes were not exported: %1</translation>
    </message>
    <message>
        <source>缺少此列</source>
        <translation>column missing</translation>
    </message>
    <message>
        <source>引号未闭合</source>
        <translation>unclosed quote</translation>
    </message>
    <message>
        <source>不能为空</source>
        <translation>must not be empty</translation>
    </message>
    <message>
        <source>不是数字</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>频道号必须在1到64之间</source>
        <translation>channel must be 1 to 64</translation>
    </message>
    <message>
        <source>与前面的行频道号重复</source>
        <translation>channel already given in an earlier row</translation>
    </message>
    <message>
        <source>频率超出范围</source>
        <translation>frequency out of range</translation>
    </message>
    <message>
        <source>只能是+、-、split、off或空</source>
        <translation>must be +, -, split, off or empty</translation>
    </message>
    <message>
        <source>只能是Tone、TSQL、DTCS、Cross或空</source>
        <translation>must be Tone, TSQL, DTCS, Cross or empty</translation>
    </message>
    <message>
        <source>不是有效的交叉模式</source>
        <translation>not a valid cross mode</translation>
    </message>
    <message>
        <source>对讲机没有此亚音频率</source>
        <translation>the radio has no such tone</translation>
    </message>
    <message>
        <source>对讲机没有此数字亚音码</source>
        <translation>the radio has no such DCS code</translation>
    </message>
    <message>
        <source>只能是两个字母N或R</source>
        <translation>must be two letters, N or R</translation>
    </message>
    <message>
        <source>对讲机只支持FM</source>
        <translation>the radio only does FM</translation>
    </message>
    <message>
        <source>只能是High、Low或功率瓦数</source>
        <translation>must be High, Low or watts</translation>
    </message>
    <message>
        <source>静噪等级必须在0到9之间</source>
        <translation>squelch level must be 0 to 9</translation>
    </message>
    <message>
        <source>延时必须在0到25.5秒之间</source>
        <translation>delay must be 0 to 25.5 seconds</translation>
    </message>
    <message>
        <source>只能是Y或N</source>
        <translation>must be Y or N</translation>
    </message>
    <message>
        <source>扫描组已有16个频道</source>
        <translation>scan group already holds 16 channels</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>已尝试的串口：</source>
        <translation>Ports tried:</translation>
    </message>
    <message>
        <source>这台计算机上没有找到任何串口设备。请插上写频线（USB 串口线）后再试。</source>
        <translation>No serial device was found on this computer. Plug in the programming cable (USB serial cable) and try again.</translation>
    </message>
    <message>
        <source>没有对应的串口设备。请在“串口选择”菜单中换一个串口。</source>
        <translation>no serial device has this name. Choose another port in the Port menu.</translation>
    </message>
    <message>
        <source>设备不存在。请检查写频线是否插好。</source>
        <translation>the device is not there. Check that the programming cable is plugged in.</translation>
    </message>
    <message>
        <source>没有打开该设备的权限。请把当前用户加入 dialout 组：sudo usermod -aG dialout $USER，然后重新登录。</source>
        <translation>no permission to open the device. Add your user to the dialout group: sudo usermod -aG dialout $USER, then log in again.</translation>
    </message>
    <message>
        <source>该设备正被另一个程序使用。请先关闭那个程序。</source>
        <translation>the device is in use by another program. Close that program first.</translation>
    </message>
    <message>
        <source>无法打开该设备。</source>
        <translation>the device cannot be opened.</translation>
    </message>
    <message>
        <source>对讲机没有应答。请检查对讲机是否已开机、写频线是否插好。</source>
        <translation>the radio does not answer. Check that the radio is on and the cable is plugged in.</translation>
    </message>
    <message>
        <source>对讲机的应答不正确。</source>
        <translation>the radio&apos;s answer is wrong.</translation>
    </message>
    <message>
        <source>未写入任何数据。</source>
        <translation>Nothing was written to the radio.</translation>
    </message>
    <message>
        <source>写入前的对讲机数据已保存到：%1</source>
        <translation>The radio&apos;s previous data was saved to: %1</translation>
    </message>
    <message>
        <source>无法保存对讲机数据的备份文件：%1（%2）</source>
        <translation>Cannot save the backup of the radio&apos;s data: %1 (%2)</translation>
    </message>
    <message>
        <source>对讲机中的数据只写入了一部分（%1/%2块）。</source>
        <translation>The radio is partly written (%1 of %2 blocks).</translation>
    </message>
    <message>
        <source>正在写入第%1块（共%2块）。</source>
        <translation>Block %1 of %2 is being written.</translation>
    </message>
    <message>
        <source>读回校验一致。</source>
        <translation>Read-back check: the data matches.</translation>
    </message>
    <message>
        <source>写入后读回的数据与写入的不一致：</source>
        <translation>The data read back after the write differs from what was written:</translation>
    </message>
    <message>
        <source>数据已写入对讲机，但未能读回校验：</source>
        <translation>The data has been written to the radio, but it could not be read back for checking:</translation>
    </message>
    <message>
        <source>写入前备份对讲机数据</source>
        <translation>Back Up Radio Before Writing</translation>
    </message>
    <message>
        <source>写入后读回校验</source>
        <translation>Check Write by Reading Back</translation>
    </message>
    <message>
        <source>打开备份文件夹</source>
        <translation>Open Backup Folder</translation>
    </message>
    <message>
        <source>写入前先读出对讲机中原有的数据，保存为备份文件</source>
        <translation>Before writing, read the radio&apos;s data and save it as a backup file</translation>
    </message>
    <message>
        <source>写入后再读出对讲机，与写入的数据逐项比较</source>
        <translation>After writing, read the radio back and compare it field by field</translation>
    </message>
    <message>
        <source>在文件管理器中打开备份文件夹</source>
        <translation>Open the backup folder in the file manager</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>正在连接对讲机（%1）…</source>
        <translation>Connecting to the radio (%1)...</translation>
    </message>
    <message>
        <source>正在读出对讲机… %1/%2</source>
        <translation>Reading from radio... %1/%2</translation>
    </message>
    <message>
        <source>正在备份对讲机数据… %1/%2</source>
        <translation>Backing up radio... %1/%2</translation>
    </message>
    <message>
        <source>正在写入对讲机… %1/%2</source>
        <translation>Writing to radio... %1/%2</translation>
    </message>
    <message>
        <source>正在读回校验… %1/%2</source>
        <translation>Reading back to check... %1/%2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>没有对应的串口设备</source>
        <translation>no serial device</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1；频段 %2–%3 MHz</source>
        <translation>%1; band %2–%3 MHz</translation>
    </message>
    <message>
        <source>%1：写入 %2，读回 %3</source>
        <translation>%1: sent %2, read back %3</translation>
    </message>
    <message>
        <source>……另有 %1 处不一致</source>
        <translation>...and %1 more differences</translation>
    </message>
    <message>
        <source>第 %1 字节</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>接收频率</source>
        <translation>Receive frequency</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>Transmit frequency</translation>
    </message>
    <message>
        <source>接收编码表</source>
        <translation>Receive code</translation>
    </message>
    <message>
        <source>发射编码表</source>
        <translation>Transmit code</translation>
    </message>
    <message>
        <source>静噪等级</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>中继及延时（秒）</source>
        <translation>Repeater delay (s)</translation>
    </message>
    <message>
        <source>功率选择</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>禁发</source>
        <translation>TX inhibit</translation>
    </message>
    <message>
        <source>拍频偏移</source>
        <translation>Beat shift</translation>
    </message>
    <message>
        <source>脱网</source>
        <translation>Talkaround</translation>
    </message>
    <message>
        <source>中继及延时</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>倒频</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>密话</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>频段</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>TOT限时</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>扫描设置 A组</source>
        <translation>Scan group A</translation>
    </message>
    <message>
        <source>扫描设置 B组</source>
        <translation>Scan group B</translation>
    </message>
    <message>
        <source>最后使用的频道</source>
        <translation>Last used channel</translation>
    </message>
    <message>
        <source>已设置频道</source>
        <translation>Programmed channels</translation>
    </message>
    <message>
        <source>Rk520 和 Rk7400 文件 (*.rkd *.zu1)</source>
        <translation>Rk520 and Rk7400 Files (*.rkd *.zu1)</translation>
    </message>
    <message>
        <source>Rk7400 文件 (*.zu1)</source>
        <translation>Rk7400 Files (*.zu1)</translation>
    </message>
    <message>
        <source>所有文件 (*)</source>
        <translation>All Files (*)</translation>
    </message>
    <message>
        <source>备份…</source>
        <translation>Backups…</translation>
    </message>
    <message>
        <source>列出从对讲机读出的备份，查看与当前文档的区别，打开其中一个</source>
        <translation>List the backups read from the radio, see how each differs from the document and open one</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>频道数</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>与当前文档比较</source>
        <translation>Compared with the document</translation>
    </message>
    <message>
        <source>读出</source>
        <translation>read</translation>
    </message>
    <message>
        <source>写入前</source>
        <translation>before write</translation>
    </message>
    <message>
        <source>写入后校验</source>
        <translation>check after write</translation>
    </message>
    <message>
        <source>无法读取</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>相同</source>
        <translation>same</translation>
    </message>
    <message>
        <source>%1 项不同</source>
        <translation>differences: %1</translation>
    </message>
    <message>
        <source>同时列出另一程序的备份</source>
        <translation>Show the other program's backups too</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>第%1行，%2列的值“%3”：%4</source>
        <translation>Row %1, column %2, value "%3": %4</translation>
    </message>
    <message>
        <source>已导出%1个频道到%2</source>
        <translation>%1 channels exported to %2</translation>
    </message>
    <message>
        <source>已导入%1个频道</source>
        <translation>%1 channels imported</translation>
    </message>
    <message>
        <source>，其中%1个问题会被写入前的检查拒绝：</source>
        <translation>, %1 would be refused by the check before a write:</translation>
    </message>
    <message>
        <source>频道表中没有以下列，已使用的频道保留原值：%1</source>
        <translation>The table has no column %1: the channels in use keep their values for these.</translation>
    </message>
    <message>
        <source>对讲机不保存频道名称，Name列未导入。</source>
        <translation>These radios do not store channel names; the Name column was not imported.</translation>
    </message>
    <message>
        <source>正在与对讲机传输数据，界面语言现在无法切换。
是否重新启动程序，以新的语言打开当前文件？</source>
        <translation>Data is being transferred to or from the radio, so the interface language cannot change now.
Restart the program in the new language and open the current file again?</translation>
    </message>
    <message>
        <source>无法打开文件管理器。备份文件夹位于：
%1</source>
        <translation>No file manager could be opened. The backup folder is:
%1</translation>
    </message>
    <message>
        <source>频段上限始终为下限加20MHz，不能直接修改</source>
        <translation>The upper band edge always follows the lower edge plus 20 MHz; it cannot be edited.</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>撤销 %1频道 %2</source>
        <translation>Undo channel %1 %2</translation>
    </message>
    <message>
        <source>重做 %1频道 %2</source>
        <translation>Redo channel %1 %2</translation>
    </message>
    <message>
        <source>撤销 %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>重做 %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>撤销 读取对讲机</source>
        <translation>Undo read from radio</translation>
    </message>
    <message>
        <source>重做 读取对讲机</source>
        <translation>Redo read from radio</translation>
    </message>
    <message>
        <source>撤销 导入频道表</source>
        <translation>Undo table import</translation>
    </message>
    <message>
        <source>重做 导入频道表</source>
        <translation>Redo table import</translation>
    </message>
    <message>
        <source>撤销 %1 %2</source>
        <translation>Undo %2 of %1</translation>
    </message>
    <message>
        <source>重做 %1 %2</source>
        <translation>Redo %2 of %1</translation>
    </message>
    <message>
        <source>%1个频道</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>频道表(&amp;C)</source>
        <translation>&amp;Channel Table</translation>
    </message>
    <message>
        <source>显示或隐藏频道表</source>
        <translation>Show or hide the channel table</translation>
    </message>
    <message>
        <source>显隐频道表</source>
        <translation>Channel table</translation>
    </message>
    <message>
        <source>复制频道</source>
        <translation>Copy channels</translation>
    </message>
    <message>
        <source>粘贴频道</source>
        <translation>Paste channels</translation>
    </message>
    <message>
        <source>清除频道</source>
        <translation>Clear channels</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>按接收频率排序</source>
        <translation>Sort by receive frequency</translation>
    </message>
    <message>
        <source>所选频道都设为“%1”</source>
        <translation>Set “%1” on all selected</translation>
    </message>
    <message>
        <source>超出范围</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>不在列表中</source>
        <translation>not in the list</translation>
    </message>
    <message>
        <source>与已开启的选项冲突</source>
        <translation>conflicts with an option that is on</translation>
    </message>
    <message>
        <source>请先设置接收和发射频率</source>
        <translation>set the receive and transmit frequencies first</translation>
    </message>
    <message>
        <source>粘贴的频道与原有的相同，没有改变</source>
        <translation>The pasted channels are the same as the ones there: nothing changed</translation>
    </message>
    <message>
        <source>打印频道表…</source>
        <translation>Print channel table…</translation>
    </message>
    <message>
        <source>打印已设置的频道</source>
        <translation>Print the programmed channels</translation>
    </message>
    <message>
        <source>打印频道表</source>
        <translation>Print channel table</translation>
    </message>
    <message>
        <source>导出频道表(PDF)…</source>
        <translation>Export channel table (PDF)…</translation>
    </message>
    <message>
        <source>将已设置的频道保存为PDF文件</source>
        <translation>Save the programmed channels as a PDF file</translation>
    </message>
    <message>
        <source>导出频道表(PDF)</source>
        <translation>Export channel table (PDF)</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>日期：%1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>正在写入对讲机。现在停止，对讲机中的数据将只写入一部分。
%1
要停止写入吗？</source>
        <translation>The radio is being written. Stopping now leaves the radio partly written.
%1
Stop writing?</translation>
    </message>
    <message>
        <source>写入已停止，对讲机中的数据只写入了一部分。
%1</source>
        <translation>Writing stopped: the radio is partly written.
%1</translation>
    </message>
    <message>
        <source>写入前没有备份对讲机数据。</source>
        <translation>No backup was taken before the write.</translation>
    </message>
    <message>
        <source>用户手册(&amp;U)</source>
        <translation>&amp;User guide</translation>
    </message>
    <message>
        <source>显示用户手册</source>
        <translation>Show the user guide</translation>
    </message>
    <message>
        <source>用户手册</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>无法打开用户手册。请在浏览器中打开这个文件：
%1</source>
        <translation>The user guide could not be opened. Open this file in a browser:
%1</translation>
    </message>
    <message>
        <source>用户手册：%1</source>
        <translation>User guide: %1</translation>
    </message>
    <message>
        <source>写入前显示改动</source>
        <translation>Show changes before writing</translation>
    </message>
    <message>
        <source>写入前列出对讲机中将被改动的数据，确认后再写入</source>
        <translation>List what the write will change in the radio and write only once confirmed</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>对讲机中的数据与要写入的相同。</source>
        <translation>The radio already holds these data.</translation>
    </message>
    <message>
        <source>打开写入前的备份</source>
        <translation>Open the backup from before the write</translation>
    </message>
    <message>
        <source>后退</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>在浏览器中打开</source>
        <translation>Open in browser</translation>
    </message>
    <message>
        <source>%1 分</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>写入将改动对讲机中的 %1 项数据：</source>
        <translation>The write will change %1 fields in the radio:</translation>
    </message>
    <message>
        <source>（空）</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>频段 %1–%2 MHz</source>
        <translation>Band %1–%2 MHz</translation>
    </message>
    <message>
        <source>%1频道</source>
        <comment>report</comment>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>批量写入 %1，第 %2 台</source>
        <translation>series %1, radio %2</translation>
    </message>
    <message>
        <source>批量写入 %1，第 %2 台，写入后校验</source>
        <translation>series %1, radio %2, check after write</translation>
    </message>
    <message>
        <source>写入多台对讲机…</source>
        <translation>Write to several radios…</translation>
    </message>
    <message>
        <source>将同一份数据依次写入多台对讲机，并记录每一台的结果</source>
        <translation>Write the same data to several radios in turn, keeping a log of each</translation>
    </message>
    <message>
        <source>写入多台对讲机</source>
        <translation>Write to several radios</translation>
    </message>
    <message>
        <source>数据：%1，已设置 %2 个频道</source>
        <translation>Image: %1, %2 channels in use</translation>
    </message>
    <message>
        <source>%1（只对第一台）</source>
        <translation>%1 (first radio only)</translation>
    </message>
    <message>
        <source>写入下一台</source>
        <translation>Write next radio</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>重新写入这一台</source>
        <translation>Retry this radio</translation>
    </message>
    <message>
        <source>下一台</source>
        <translation>Next radio</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>改动项数</source>
        <translation>Fields changed</translation>
    </message>
    <message>
        <source>备份文件</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>已写入，读回校验一致</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>已写入，未读回校验</source>
        <translation>Written, not verified</translation>
    </message>
    <message>
        <source>读回不一致：%1</source>
        <translation>Differs after write: %1</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>本批共写入 %1 台对讲机，其中 %2 台读回校验一致。
记录文件：%3</source>
        <translation>Radios in this series: %1, verified: %2.
Log: %3</translation>
    </message>
    <message>
        <source>打开记录文件</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>无法打开记录文件。记录文件位于：
%1</source>
        <translation>Could not open the log. The log is at:
%1</translation>
    </message>
    <message>
        <source>无法写入记录文件：%1（%2）</source>
        <translation>Could not write the log: %1 (%2)</translation>
    </message>
</context>
</TS>
