CREATE TABLE [dbo].[Orders](
	[Status] [nvarchar](20) NOT NULL CONSTRAINT [DF_Orders_Status] DEFAULT (N'�ȴ�������������������������ϵ�ͻ���ȷ�϶������ջ���ַ�븶�ʽ������Ʊ̧ͷ��'),
	[Qty] [int] NOT NULL,
	[Price] [money] NOT NULL
) ON [PRIMARY]
GO
ALTER TABLE [dbo].[Orders]  WITH CHECK ADD  CONSTRAINT [CK_Orders_Status] CHECK  (([Status] IN (N'״̬000', N'״̬001', N'״̬002', N'״̬003', N'״̬004', N'״̬005', N'״̬006', N'״̬007', N'״̬008', N'״̬009', N'״̬010', N'״̬011', N'״̬012', N'״̬013', N'״̬014', N'״̬015', N'״̬016', N'״̬017', N'״̬018', N'״̬019', N'״̬020', N'״̬021', N'״̬022', N'״̬023', N'״̬024', N'״̬025', N'״̬026', N'״̬027', N'״̬028', N'״̬029', N'״̬030', N'״̬031', N'״̬032', N'״̬033', N'״̬034', N'״̬035', N'״̬036', N'״̬037', N'״̬038', N'״̬039', N'״̬040', N'״̬041', N'״̬042', N'״̬043', N'״̬044', N'״̬045', N'״̬046', N'״̬047', N'״̬048', N'״̬049', N'״̬050', N'״̬051', N'״̬052', N'״̬053', N'״̬054', N'״̬055', N'״̬056', N'״̬057', N'״̬058', N'״̬059')))
GO
ALTER TABLE [dbo].[Orders]  WITH CHECK ADD  CONSTRAINT [CK_Orders_Qty] CHECK  (([Qty]>(0) AND [Qty]<(100000)))
GO
ALTER TABLE [dbo].[Orders]  WITH CHECK ADD  CONSTRAINT [CK_Orders_Price] CHECK  (([Price]>=(0)))
GO
